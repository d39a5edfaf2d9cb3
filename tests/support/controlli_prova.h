#pragma once
// What window tests do to controls, written once: find one by its control name, type into
// a box so that its key filter acts, pick a combo entry as the user does, click a button,
// type into a grid cell, walk a window with the keyboard.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QString>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

// The control `nome` below `radice`; a test failure, and null, when there is none.
template <class T>
T* Controllo(const QObject* radice, const char* nome)
{
    T* c = radice ? radice->findChild<T*>(QLatin1String(nome)) : nullptr;
    EXPECT_NE(c, nullptr) << nome;
    return c;
}

// Replaces the box's text by typing it (ASCII), so that its key filter acts.
inline void Scrivi(QLineEdit* casella, const QString& testo)
{
    ASSERT_NE(casella, nullptr);
    casella->selectAll();
    QTest::keyClick(casella, Qt::Key_Backspace);
    QTest::keyClicks(casella, testo);
}

// Picks the entry at `indice` and tells the window, as a user's pick does.
inline void Scegli(QComboBox* combo, int indice)
{
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(indice >= 0 && indice < combo->count()) << combo->objectName().toStdString() << ": " << indice;
    combo->setCurrentIndex(indice);
    Q_EMIT combo->activated(indice);
}

// Picks the entry with this text, as above.
inline void Scegli(QComboBox* combo, const QString& testo)
{
    ASSERT_NE(combo, nullptr);
    const int i = combo->findText(testo);
    ASSERT_GE(i, 0) << combo->objectName().toStdString() << " has no " << testo.toStdString();
    Scegli(combo, i);
}

// A left click in the middle of the button.
inline void Clicca(QAbstractButton* pulsante)
{
    ASSERT_NE(pulsante, nullptr);
    QTest::mouseClick(pulsante, Qt::LeftButton);
}

// Leaves a cell editor with Enter; the view commits the cell through a queued call.
inline void InviaCella(QWidget* editor)
{
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

// Opens the cell editor and types into it; with `invio`, Enter leaves the cell, as the user
// would. The editor, or null (and a failure) when the cell opened none.
inline QLineEdit* ScriviCella(QTableView* griglia, int riga, int colonna, const QString& testo, bool invio = true)
{
    const QModelIndex i = griglia->model()->index(riga, colonna);
    griglia->setFocus();
    griglia->setCurrentIndex(i);
    griglia->edit(i);
    auto* editor = qobject_cast<QLineEdit*>(griglia->indexWidget(i));
    EXPECT_TRUE(editor);
    if (!editor)
        return nullptr;
    editor->selectAll();
    QTest::keyClicks(editor, testo);
    if (invio)
        InviaCella(editor);
    return editor;
}

// The rows of the table that an editable grid shows: all but its last line, which must be
// the new-row line, empty and marked "*" in its row header.
inline int RigheSopraRigaNuova(const QTableView* griglia)
{
    EXPECT_NE(griglia, nullptr);
    if (!griglia)
        return -1;
    const QAbstractItemModel* m = griglia->model();
    const int ultima = m->rowCount() - 1;
    EXPECT_EQ(m->headerData(ultima, Qt::Vertical).toString(), "*");
    for (int c = 0; c < m->columnCount(); ++c)
        EXPECT_TRUE(m->index(ultima, c).data().toString().isEmpty()) << c;
    return ultima;
}

// Makes the window the active one, so that keys typed where the focus is reach it.
inline void Attiva(QWidget* finestra)
{
    ASSERT_NE(finestra, nullptr);
    finestra->show();
    finestra->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(finestra));
}

// Presses `tasto` on the control with the focus until `meta` has it, as a user walking the
// window does; false when `massimo` presses did not get there.
inline bool PremiFinoA(const QWidget* meta, Qt::Key tasto = Qt::Key_Tab, int massimo = 400)
{
    for (int i = 0; i < massimo && QApplication::focusWidget() != meta; ++i) {
        QWidget* fuoco = QApplication::focusWidget();
        if (!fuoco)
            return false;
        QTest::keyClick(fuoco, tasto);
    }
    return QApplication::focusWidget() == meta;
}
