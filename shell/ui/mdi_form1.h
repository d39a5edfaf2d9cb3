#pragma once
// The main window: the MDI area every child window lives in.
#include "finestra_principale.h"

#include <QMainWindow>

class QMdiArea;

class MDIForm1 : public QMainWindow, public FinestraPrincipale {
    Q_OBJECT
public:
    MDIForm1(StatoApplicazione& stato, Messaggi& messaggi, DialogoFile& dialoghi, QWidget* parent = nullptr);

    QMdiArea* area() const { return area_; }

public Q_SLOTS:
    void ControlloMenu() override;
    void Colore();

private:
    ContestoFinestre contesto_;
    QMdiArea* area_;
};
