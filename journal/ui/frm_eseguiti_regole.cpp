// The trade window's panel rules: what the mode, the grid row, the type and the error
// code put into the fields, and when the confirmation is possible.
#include "frm_eseguiti.h"

#include "campo_data.h"
#include "date.h"
#include "numeri.h"
#include "tabella_portafoglio.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTableView>

namespace {

const QString Buy = QStringLiteral("Buy");
const QString Sell = QStringLiteral("Sell");
const QString NessunErrore = QStringLiteral("NE");

// Puts a text into a combo: the edit text of an editable one, else the matching item,
// which is added when the list does not hold it.
void ImpostaTesto(QComboBox* combo, const QString& testo)
{
    if (combo->isEditable()) {
        combo->setEditText(testo);
        return;
    }
    int indice = combo->findText(testo);
    if (indice < 0 && !testo.isEmpty()) {
        combo->addItem(testo);
        indice = combo->count() - 1;
    }
    combo->setCurrentIndex(indice);
}

// A trade's type as the list spells it: the engine takes any case of "Buy" and "Sell" (an
// imported file writes "BUY"), and so does the panel, so that the trade can be changed as
// it stands.
QString TipoDellaLista(const QString& tipo)
{
    for (const QString& voce : {Buy, Sell})
        if (tipo.compare(voce, Qt::CaseInsensitive) == 0)
            return voce;
    return tipo;
}

QString TestoQuantita(std::optional<long long> qta)
{
    return qta ? numeri::TestoNumero(static_cast<double>(*qta)) : QString();
}

} // namespace

eseguiti::Modo frmEseguiti::modo() const
{
    switch (Option1_->checkedId()) {
    case IdElimina:
        return eseguiti::Modo::Elimina;
    case IdModifica:
        return eseguiti::Modo::Modifica;
    default:
        return eseguiti::Modo::Nuovo;
    }
}

int frmEseguiti::rigaGriglia() const
{
    const int riga = dbg_Eseguiti_->currentIndex().row();
    return riga < modelloEseguiti_->rowCount() ? riga : -1;
}

QString frmEseguiti::testoCella(int colonna) const
{
    return modelloEseguiti_->testo(rigaGriglia(), colonna);
}

QString frmEseguiti::primoCodice(const QStringListModel* modello) const
{
    return modello->stringList().value(0);
}

QString frmEseguiti::codice() const
{
    return txt_Codice_->isHidden() ? cmb_Codice_->currentText() : txt_Codice_->text();
}

QString frmEseguiti::titolo() const
{
    return txt_Codice_->isHidden() ? cmb_Titolo_->currentText() : txt_Titolo_->text();
}

void frmEseguiti::CambioRiga()
{
    const int riga = rigaGriglia();
    lab_RowSelect_->setText(numeri::TestoNumero(riga + 1));
    RegolaModo();
}

void frmEseguiti::AbilitaCampi(bool abilita)
{
    for (QWidget* w : std::initializer_list<QWidget*>{dtp_Data_, cmb_Tipo_, dbc_System_, txt_Codice_, txt_Titolo_,
                                                       txtQta_, txtPrezzo_, dbc_Errore_, txtPzoOttimale_})
        w->setEnabled(abilita);
}

void frmEseguiti::MostraCombo(bool combo)
{
    txt_Codice_->setVisible(!combo);
    txt_Titolo_->setVisible(!combo);
    cmb_Codice_->setVisible(combo);
    cmb_Titolo_->setVisible(combo);
}

void frmEseguiti::CombiDellaRiga()
{
    cmb_Codice_->clear();
    cmb_Titolo_->clear();
    cmb_Codice_->addItem(testoCella(ColEseguiti::Cod));
    cmb_Titolo_->addItem(testoCella(ColEseguiti::Titolo));
    cmb_Codice_->setCurrentIndex(0);
    cmb_Titolo_->setCurrentIndex(0);
}

void frmEseguiti::RiempiDaRiga()
{
    if (rigaGriglia() < 0)
        return;
    dtp_Data_->setDate(date::DaIso(modelloEseguiti_->riga(rigaGriglia())->Data));
    ImpostaTesto(cmb_Tipo_, TipoDellaLista(testoCella(ColEseguiti::Tipo)));
    ImpostaTesto(dbc_System_, testoCella(ColEseguiti::System));
    const QString cod = testoCella(ColEseguiti::Cod);
    const QString tit = testoCella(ColEseguiti::Titolo);
    if (txt_Codice_->isHidden()) {
        ImpostaTesto(cmb_Codice_, cod);
        ImpostaTesto(cmb_Titolo_, tit);
    } else {
        txt_Codice_->setText(cod);
        txt_Titolo_->setText(tit);
    }
    txtQta_->setText(testoCella(ColEseguiti::Qta));
    txtPrezzo_->setText(testoCella(ColEseguiti::Prezzo));
    const QString errore = testoCella(ColEseguiti::Errore);
    if (errore.isEmpty()) {
        ImpostaTesto(dbc_Errore_, primoCodice(modelloErrori_));
        txtPzoOttimale_->setText(txtPrezzo_->text());
    } else {
        ImpostaTesto(dbc_Errore_, errore);
        txtPzoOttimale_->setText(testoCella(ColEseguiti::PrezzoOttimale));
    }
}

void frmEseguiti::RegolaModo()
{
    const bool righe = rigaGriglia() >= 0;
    switch (modo()) {
    case eseguiti::Modo::Elimina:
        AbilitaCampi(false);
        cmd_Ok_->setEnabled(true);
        if (righe) {
            MostraCombo(false);
            RiempiDaRiga();
        }
        break;
    case eseguiti::Modo::Modifica:
        AbilitaCampi(true);
        if (righe) {
            if (TipoDellaLista(testoCella(ColEseguiti::Tipo)) == Sell) {
                if (cmb_Tipo_->count() == 1)
                    cmb_Tipo_->addItem(Sell);
                MostraCombo(true);
                CombiDellaRiga();
            } else {
                MostraCombo(false);
                txt_Codice_->setText(testoCella(ColEseguiti::Cod));
                txt_Titolo_->setText(testoCella(ColEseguiti::Titolo));
            }
            RiempiDaRiga();
        }
        break;
    case eseguiti::Modo::Nuovo:
        AbilitaCampi(true);
        MostraCombo(false);
        dtp_Data_->setDate(QDate::currentDate());
        ImpostaTesto(cmb_Tipo_, Buy);
        ImpostaTesto(dbc_System_, primoCodice(modelloSystem_));
        for (QLineEdit* e : {txt_Codice_, txt_Titolo_, txtQta_, txtPrezzo_, txtPzoOttimale_})
            e->clear();
        ImpostaTesto(dbc_Errore_, primoCodice(modelloErrori_));
        break;
    }
    AggiornaTipo();
    RegolaErrore();
    ControlloConferma();
}

void frmEseguiti::AggiornaTipo()
{
    // Positions that cannot be read offer nothing to sell; the refresh has already said
    // what failed.
    const std::vector<RigaPortafoglio> posizioni = LeggiPortafoglio(contesto_.stato.DbPortafoglio).righe;
    const eseguiti::Modo m = modo();
    if (!posizioni.empty()) {
        if (cmb_Tipo_->count() == 1)
            cmb_Tipo_->addItem(Sell);
        if (m == eseguiti::Modo::Elimina)
            return;
        if (cmb_Tipo_->currentText() == Sell) {
            // A sell names a held security, so code and name come from the positions.
            MostraCombo(true);
            cmb_Codice_->clear();
            cmb_Titolo_->clear();
            if (m == eseguiti::Modo::Nuovo) {
                for (const auto& p : posizioni) {
                    cmb_Codice_->addItem(p.Cod);
                    cmb_Titolo_->addItem(p.Titolo);
                }
                cmb_Codice_->setCurrentIndex(0);
                cmb_Titolo_->setCurrentIndex(0);
                ImpostaTesto(dbc_System_, primoCodice(modelloSystem_));
                ProponiQuantita();
            } else {
                // The trade's own security stays first, even when it is no longer held.
                cmb_Codice_->addItem(testoCella(ColEseguiti::Cod));
                cmb_Titolo_->addItem(testoCella(ColEseguiti::Titolo));
                for (const auto& p : posizioni) {
                    if (p.Cod == cmb_Codice_->itemText(0))
                        continue;
                    cmb_Codice_->addItem(p.Cod);
                    cmb_Titolo_->addItem(p.Titolo);
                }
                cmb_Codice_->setCurrentIndex(0);
                cmb_Titolo_->setCurrentIndex(0);
                ImpostaTesto(dbc_System_, testoCella(ColEseguiti::System));
            }
        } else {
            MostraCombo(false);
            txt_Codice_->setEnabled(true);
            txt_Titolo_->setEnabled(true);
            if (m == eseguiti::Modo::Nuovo) {
                for (QLineEdit* e : {txt_Codice_, txt_Titolo_, txtQta_, txtPrezzo_})
                    e->clear();
            } else {
                ImpostaTesto(dbc_System_, testoCella(ColEseguiti::System));
                txt_Codice_->setText(testoCella(ColEseguiti::Cod));
                txt_Titolo_->setText(testoCella(ColEseguiti::Titolo));
                txtQta_->setText(testoCella(ColEseguiti::Qta));
                txtPrezzo_->setText(testoCella(ColEseguiti::Prezzo));
            }
        }
    } else if (m == eseguiti::Modo::Nuovo) {
        // With nothing held only a buy can be entered.
        if (cmb_Tipo_->count() > 1) {
            const bool eraVendita = cmb_Tipo_->currentText() == Sell;
            cmb_Tipo_->removeItem(1);
            cmb_Tipo_->setCurrentIndex(0);
            if (eraVendita)
                MostraCombo(false);
        }
    } else {
        CombiDellaRiga();
    }
    ControlloConferma();
}

void frmEseguiti::RegolaErrore()
{
    const bool senzaErrore = dbc_Errore_->currentText() == NessunErrore;
    QPalette p = txtPzoOttimale_->palette();
    p.setColor(QPalette::Base, QApplication::palette().color(senzaErrore ? QPalette::Button : QPalette::Base));
    txtPzoOttimale_->setPalette(p);
    txtPzoOttimale_->setEnabled(!senzaErrore);
    if (senzaErrore)
        txtPzoOttimale_->clear();
    lab_PzoOttimale_->setEnabled(!senzaErrore);
}

// Without a trading system no trade can be confirmed, and the settings say nothing of it:
// the empty field says where systems are made, and so does the grey button.
void frmEseguiti::SpiegaSistemiMancanti()
{
    const bool nessuno = modelloSystem_->rowCount() == 0;
    dbc_System_->lineEdit()->setPlaceholderText(nessuno ? QStringLiteral("nessun sistema") : QString());
    cmd_Ok_->setToolTip(nessuno ? QStringLiteral("Non c'è nessun sistema di trading: crearne uno in Parametri iniziali "
                                                 "per poter confermare un eseguito.")
                                : QString());
    dbc_System_->setToolTip(cmd_Ok_->toolTip());
}

void frmEseguiti::ControlloConferma()
{
    if (modo() == eseguiti::Modo::Elimina)
        return;
    const QString qta = txtQta_->text();
    const QString prezzo = txtPrezzo_->text();
    const QString zero = QStringLiteral("0");
    cmd_Ok_->setEnabled(!dbc_System_->currentText().isEmpty() && !qta.isEmpty() && qta != zero && !prezzo.isEmpty()
                        && prezzo != zero && !titolo().isEmpty() && !codice().isEmpty());
}

eseguiti::DatiPannello frmEseguiti::pannello() const
{
    return {dtp_Data_->date(), cmb_Tipo_->currentText(), dbc_System_->currentText(), codice(),
            titolo(),          txtQta_->text(),          txtPrezzo_->text(),         dbc_Errore_->currentText(),
            txtPzoOttimale_->text()};
}

QString frmEseguiti::importo() const
{
    // Any two numbers show their product, whether or not the trade could be written.
    const eseguiti::NumeriPannello letti = eseguiti::LeggiNumeri(pannello());
    if (!letti.Prezzo || !letti.Qta)
        return QStringLiteral("0");
    return numeri::TestoNumero(*letti.Prezzo * *letti.Qta);
}

void frmEseguiti::ImportoDaPrezzo()
{
    ControlloConferma();
    if (!txtQta_->text().isEmpty())
        lab_Importo_->setText(importo());
}

void frmEseguiti::ImportoDaQuantita()
{
    ControlloConferma();
    if (!txtPrezzo_->text().isEmpty())
        lab_Importo_->setText(importo());
}

void frmEseguiti::ProponiQuantita()
{
    if (modo() == eseguiti::Modo::Nuovo)
        txtQta_->setText(TestoQuantita(eseguiti::QuantitaPosseduta(contesto_.stato.DbPortafoglio,
                                                                  cmb_Codice_->currentText())));
}

void frmEseguiti::SceltaCodice()
{
    if (cmb_Titolo_->count() > 0 && cmb_Codice_->currentIndex() < cmb_Titolo_->count())
        cmb_Titolo_->setCurrentIndex(cmb_Codice_->currentIndex());
    ProponiQuantita();
}

void frmEseguiti::SceltaTitolo()
{
    if (cmb_Codice_->count() > 0 && cmb_Titolo_->currentIndex() < cmb_Codice_->count())
        cmb_Codice_->setCurrentIndex(cmb_Titolo_->currentIndex());
    ProponiQuantita();
}
