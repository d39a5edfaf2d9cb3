#pragma once
// Puts the colour scheme of the settings database onto a window and its controls:
// labels, frames and option buttons take the background (labels also the text colour),
// picture boxes the drawing colour. Other controls keep their look. Child windows of an
// MDI area are windows of their own and are left alone.
#include <QSqlDatabase>

class QWidget;

void ApplicaColori(QWidget* finestra, const QSqlDatabase& dataset);
