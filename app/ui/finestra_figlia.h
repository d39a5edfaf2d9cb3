#pragma once
// A child window of the MDI area. It remembers that it was closed, because a closed child
// is deleted only later and must not be reused or refreshed in between.
#include "aspetto_programma.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

class FinestraFiglia : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit FinestraFiglia(QWidget* parent = nullptr) : QMdiSubWindow(parent)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        // Without an icon of its own a child shows the style's (Qt's) in its title bar.
        setWindowIcon(IconaProgramma());
    }

    bool chiusa() const { return chiusa_; }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        QMdiSubWindow::closeEvent(event);
        if (event->isAccepted())
            chiusa_ = true;
    }

private:
    bool chiusa_ = false;
};
