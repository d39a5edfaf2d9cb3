#include "opzioni_vista.h"

#include "applica_colori.h"
#include "settaggi_avvio.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

OpzioniVista::OpzioniVista(ContestoFinestre& contesto, QWidget* parent) : QDialog(parent), contesto_(contesto)
{
    setObjectName(QStringLiteral("OpzioniVista"));
    setWindowTitle(QStringLiteral("Opzioni Vista"));

    auto* colonna = new QVBoxLayout(this);
    auto casella = [&](const char* nome, const char* testo) {
        auto* c = new QCheckBox(QString::fromUtf8(testo), this);
        c->setObjectName(QLatin1String(nome));
        colonna->addWidget(c);
        return c;
    };
    chk_Tip_ = casella("chk_Tip", "Visualizza le regole auree all'avvio");
    chk_Benvenuto_ = casella("chk_Benvenuto", "Visualizza benvenuto all' avvio");
    chk_Clock_ = casella("chk_Clock", "Visualizza orologli");
    chk_Menu_ = casella("chk_Menu", "Menu a icone");
    chk_Icone32_ = casella("chk_Icone32", "Icone grandi");
    chk_IconeName_ = casella("chk_IconeName", "Nomi delle icone");

    auto* cmd_Applica = new QPushButton(QStringLiteral("Applica"), this);
    cmd_Applica->setObjectName(QStringLiteral("cmd_Applica"));
    auto* cmd_Ok = new QPushButton(QStringLiteral("OK"), this);
    cmd_Ok->setObjectName(QStringLiteral("cmd_Ok"));
    cmd_Ok->setDefault(true);
    auto* cmd_Annulla = new QPushButton(QStringLiteral("Annulla"), this);
    cmd_Annulla->setObjectName(QStringLiteral("cmd_Annulla"));
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(cmd_Applica);
    pulsanti->addStretch();
    pulsanti->addWidget(cmd_Ok);
    pulsanti->addWidget(cmd_Annulla);
    colonna->addLayout(pulsanti);
    colonna->setSizeConstraint(QLayout::SetFixedSize);

    // On toggled, not clicked: a value set below runs its rule only when it changes, as a click would.
    connect(chk_Menu_, &QCheckBox::toggled, this, &OpzioniVista::regolaMenu);
    connect(chk_Icone32_, &QCheckBox::toggled, this, &OpzioniVista::regolaIcone32);
    connect(cmd_Applica, &QPushButton::clicked, this, &OpzioniVista::applica);
    connect(cmd_Ok, &QPushButton::clicked, this, &OpzioniVista::conferma);
    connect(cmd_Annulla, &QPushButton::clicked, this, &QDialog::reject);

    // Load.
    ApplicaColori(this, contesto_.stato.DbDataSet);
    const auto letti = LeggiImpostazioniVista(contesto_.stato.DbDataSet);
    if (!letti) {
        // Storing the boxes would overwrite settings nobody has seen.
        contesto_.messaggi.mostra(QStringLiteral("Impossibile leggere le impostazioni della vista."),
                                  Messaggi::Icona::Critico);
        cmd_Ok->setEnabled(false);
    }
    const ImpostazioniVista v = letti.value_or(ImpostazioniVista{});
    chk_Tip_->setChecked(v.Tip != 0);
    chk_Benvenuto_->setChecked(v.Benvenuto != 0);
    chk_Clock_->setChecked(v.Clock != 0);
    chk_Menu_->setChecked(v.Menu != 0);
    chk_Icone32_->setChecked(v.Icone32 != 0);
    chk_IconeName_->setChecked(v.IconeName != 0);
}

void OpzioniVista::regolaMenu(bool spuntata)
{
    if (!spuntata) {
        chk_Icone32_->setEnabled(false);
        chk_IconeName_->setEnabled(false);
        return;
    }
    chk_Icone32_->setEnabled(true);
    regolaIcone32(chk_Icone32_->isChecked());
}

void OpzioniVista::regolaIcone32(bool spuntata)
{
    chk_IconeName_->setEnabled(spuntata);
}

ImpostazioniVista OpzioniVista::valori() const
{
    ImpostazioniVista v;
    v.Tip = chk_Tip_->isChecked() ? 1 : 0;
    v.Benvenuto = chk_Benvenuto_->isChecked() ? 1 : 0;
    v.Clock = chk_Clock_->isChecked() ? 1 : 0;
    v.Menu = chk_Menu_->isChecked() ? 1 : 0;
    v.Icone32 = chk_Icone32_->isChecked() ? 1 : 0;
    v.IconeName = chk_IconeName_->isChecked() ? 1 : 0;
    return v;
}

void OpzioniVista::applica()
{
    const ImpostazioniVista v = valori();
    FinestraPrincipale& principale = contesto_.principale;
    principale.mostraToolbar1(v.Menu != 0);
    principale.mostraToolbar3(v.Clock != 0);
    principale.ToolbarMenu(v.Icone32, v.IconeName);
}

void OpzioniVista::conferma()
{
    applica();
    const Esito esito = ScriviImpostazioniVista(contesto_.stato.DbDataSet, valori());
    if (!esito.ok()) {
        contesto_.messaggi.mostra(esito.messaggio, Messaggi::Icona::Critico);
        return;
    }
    accept();
}
