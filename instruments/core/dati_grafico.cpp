#include "dati_grafico.h"

#include "numeri.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

bool DatiGrafico::impostaTipo(int tipo)
{
    if (!TipoGrafico::Valido(tipo))
        return false;
    tipo_ = tipo;
    return true;
}

void DatiGrafico::impostaRighe(int n)
{
    n = std::max(n, 0);
    celle_.resize(std::size_t(n), std::vector<Cella>(std::size_t(colonne_)));
    etichette_.resize(std::size_t(n));
    limitaCursore();
}

void DatiGrafico::impostaColonne(int n)
{
    colonne_ = std::max(n, 1);
    for (auto& riga : celle_)
        riga.resize(std::size_t(colonne_));
    etichetteColonne_.resize(std::size_t(colonne_));
    limitaCursore();
}

void DatiGrafico::limitaCursore()
{
    riga_ = std::clamp(riga_, 1, std::max(righe(), 1));
    colonna_ = std::clamp(colonna_, 1, colonne_);
}

void DatiGrafico::impostaRiga(int r)
{
    riga_ = r;
    limitaCursore();
}

void DatiGrafico::impostaColonna(int c)
{
    colonna_ = c;
    limitaCursore();
}

namespace {

// A value that is not finite cannot be drawn on any axis: it is a cell without value.
DatiGrafico::Cella Disegnabile(DatiGrafico::Cella v)
{
    return v && std::isfinite(*v) ? v : std::nullopt;
}

} // namespace

void DatiGrafico::impostaDato(Cella v)
{
    v = Disegnabile(v);
    if (righe() == 0)
        return;
    celle_[std::size_t(riga_ - 1)][std::size_t(colonna_ - 1)] = v;
}

std::optional<double> DatiGrafico::LeggiTesto(const QString& testo)
{
    QLocale italiano(QLocale::Italian, QLocale::Italy);
    // "1.000" would otherwise read as a thousand; our own texts never group digits.
    italiano.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = italiano.toDouble(testo.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return v;
}

bool DatiGrafico::impostaDato(const QString& testo)
{
    const auto v = LeggiTesto(testo);
    impostaDato(v);
    return v.has_value();
}

QString DatiGrafico::testoDato() const
{
    const auto v = dato();
    return v ? numeri::TestoNumero(*v) : QString();
}

void DatiGrafico::impostaEtichettaRiga(const QString& testo)
{
    if (righe() == 0)
        return;
    etichette_[std::size_t(riga_ - 1)] = testo;
}

void DatiGrafico::impostaEtichettaColonna(const QString& testo)
{
    etichetteColonne_[std::size_t(colonna_ - 1)] = testo;
}

void DatiGrafico::caricaRiga(const std::vector<double>& valori)
{
    std::vector<std::vector<Cella>> tabella(1);
    tabella[0].assign(valori.begin(), valori.end());
    caricaTabella(tabella);
}

void DatiGrafico::caricaTabella(const std::vector<std::vector<Cella>>& tabella)
{
    std::size_t larghezza = 1;
    for (const auto& riga : tabella)
        larghezza = std::max(larghezza, riga.size());
    colonne_ = int(larghezza);
    celle_ = tabella;
    for (auto& riga : celle_) {
        riga.resize(larghezza);
        for (auto& c : riga)
            c = Disegnabile(c);
    }
    etichette_.assign(celle_.size(), QString());
    etichetteColonne_.assign(larghezza, QString());
    riga_ = 1;
    colonna_ = 1;
}

DatiGrafico::Cella DatiGrafico::valore(int riga, int colonna) const
{
    if (riga < 1 || riga > righe() || colonna < 1 || colonna > colonne_)
        return std::nullopt;
    return celle_[std::size_t(riga - 1)][std::size_t(colonna - 1)];
}

QString DatiGrafico::etichetta(int riga) const
{
    if (riga < 1 || riga > righe())
        return {};
    return etichette_[std::size_t(riga - 1)];
}

QString DatiGrafico::etichettaDiColonna(int colonna) const
{
    if (colonna < 1 || colonna > colonne_)
        return {};
    return etichetteColonne_[std::size_t(colonna - 1)];
}

double DatiGrafico::massimo() const
{
    double m = 0;
    bool primo = true;
    for (const auto& riga : celle_)
        for (const auto& c : riga)
            if (c) {
                m = primo ? *c : std::max(m, *c);
                primo = false;
            }
    return m;
}

double DatiGrafico::minimo() const
{
    double m = 0;
    bool primo = true;
    for (const auto& riga : celle_)
        for (const auto& c : riga)
            if (c) {
                m = primo ? *c : std::min(m, *c);
                primo = false;
            }
    return m;
}

bool DatiGrafico::colonneConNome() const
{
    return std::any_of(etichetteColonne_.begin(), etichetteColonne_.end(),
                       [](const QString& e) { return !e.isEmpty(); });
}
