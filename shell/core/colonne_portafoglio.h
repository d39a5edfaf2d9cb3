#pragma once
// The columns of a portfolio file's tables, in table order. The shell checks an opened file
// against them; the table owners in journal/core build their SQL and column enums on them.
// They live here because the shell opens files before any journal code runs, and the shell
// must not depend on the journal.
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <array>

// Eseguiti, and its copies EseguitiTemp and EseguitiBackup.
inline constexpr std::array ColonneEseguiti
    = {"ID", "Data", "Tipo", "System", "Cod", "Titolo", "Qta", "Prezzo", "Importo", "Errore", "PrezzoOttimale"};
inline constexpr std::array ColonnePortafoglio
    = {"System", "Cod", "Titolo", "Qta", "PzoCarico", "Importo", "Commissioni"};
inline constexpr std::array ColonneOperazioniChiuse
    = {"Data", "giornoDiSettimana", "System",      "Cod",    "Titolo",        "PzoCarico", "Qta", "Prezzo",
       "GP",   "GPPercentuale",     "Commissioni", "Errore", "PrezzoOttimale"};
inline constexpr std::array ColonneConto = {"ID", "Data", "Tipo", "Importo", "Descrizione"};

template <std::size_t N> QStringList ListaColonne(const std::array<const char*, N>& colonne)
{
    QStringList lista;
    for (const char* c : colonne)
        lista << QLatin1StringView(c);
    return lista;
}

// "A, B, C": the column list of a SELECT or an INSERT.
template <std::size_t N> QString ElencoColonne(const std::array<const char*, N>& colonne)
{
    return ListaColonne(colonne).join(QStringLiteral(", "));
}
