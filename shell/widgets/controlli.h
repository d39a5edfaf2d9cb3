#pragma once
// Controls are made with the name the form gives them, so tests and screen readers find them;
// a caption label is the buddy of its field, so the field is named by its caption.
#include <QLabel>
#include <QString>

template <typename T>
T* Crea(QWidget* genitore, const char* nome)
{
    auto* w = new T(genitore);
    w->setObjectName(QLatin1String(nome));
    return w;
}

inline QLabel* Etichetta(QWidget* genitore, const char* nome, const QString& testo, QWidget* campo = nullptr)
{
    auto* l = Crea<QLabel>(genitore, nome);
    l->setText(testo);
    if (campo)
        l->setBuddy(campo);
    return l;
}
