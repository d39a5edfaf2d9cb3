#pragma once
// A child window of the MDI area. It remembers that it was closed, because a closed child
// is deleted only later and must not be reused or refreshed in between.
#include <QCloseEvent>
#include <QMdiSubWindow>

class FinestraFiglia : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit FinestraFiglia(QWidget* parent = nullptr) : QMdiSubWindow(parent)
    {
        setAttribute(Qt::WA_DeleteOnClose);
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
