#pragma once
// What "readable at its size" means for any window: every control inside its window and
// clear of its neighbours, every caption, option and label whole, every grid column as wide
// as its caption and its widest cell, every chart label whole. Each fault names the control.
#include <QString>
#include <QStringList>

class QWidget;

// The faults of the window's controls, texts and grid columns as they stand, one line each;
// empty when everything reads whole.
QStringList DifettiDiLettura(QWidget* finestra);

// The axis, category and title labels of the window's charts that are elided or cut at the
// chart's edge, one line each.
QStringList DifettiDeiGrafici(QWidget* finestra);
