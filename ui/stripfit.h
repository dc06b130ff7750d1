// How the status strip fits its text beside the piece counts. On one line
// in the strip's font when both fit (the counts with their words, else
// without); else the font shrinks step by step, for the text and the counts
// alike, the text on one line or wrapped to two where two lines fit the
// strip's height. Only a text that fits in none of these is cut short, with
// an ellipsis.
#pragma once

#include "ui/boardmarks.h"

#include <QFont>
#include <QString>

struct StripFit {
    QFont font;          // of the text and of the counts
    QString text;        // as drawn: a line break where it wraps
    CountLabels labels;  // the counts' words, empty when left out
    int textX = 0;       // where the text begins
    int countsX = 0;     // where the counts begin
    int countsWidth = 0; // how wide they are
    bool cut = false;    // the text did not fit and ends in an ellipsis
};

// The strip's font at its height `strip`: `base` at the smallest strip,
// growing with it.
QFont StripFont(QFont base, int strip);

// Fits `text` and the counts into a strip `width` wide and `strip` high,
// starting from the font `base`.
StripFit FitStrip(const QString& text, const QFont& base, int width, int strip,
                  const PieceCounts& counts, const CountLabels& labels);
