#pragma once
// Shows or hides single buttons of the main toolbar for this session; nothing is stored,
// so the next start shows them all again.
#include <QDialog>
#include <QList>

class QAction;
class QCheckBox;

class PersonalizzaToolbar : public QDialog {
    Q_OBJECT
public:
    // `pulsanti`: the toolbar's buttons, separators excluded.
    explicit PersonalizzaToolbar(const QList<QAction*>& pulsanti, QWidget* parent = nullptr);

    QCheckBox* casella(int i) const { return caselle_.value(i); }

public Q_SLOTS:
    void accept() override;

private:
    QList<QAction*> pulsanti_;
    QList<QCheckBox*> caselle_;
};
