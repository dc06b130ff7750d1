#include "ui/stripfit.h"

#include "ui/boardgeometry.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

// Where the status text begins, and the margins of the counts, at the
// smallest strip; and the smallest share of the font the strip shrinks to.
constexpr int kTextX = 7, kCountsMargin = 5;
constexpr int kShrinkSteps = 8;
constexpr qreal kShrinkStep = 0.05;

QFont scaled(QFont f, qreal factor) {
    if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, qRound(f.pixelSize() * factor)));
    else
        f.setPointSizeF(f.pointSizeF() * factor);
    return f;
}

// `text` in at most two lines of `room` pixels, broken between words, after
// a sentence where that fits; empty when it needs more.
QString wrapped(const QString& text, const QFontMetrics& fm, int room) {
    const QStringList words = text.split(' ');
    QString longest; // the break that fills the first line most
    for (int split = static_cast<int>(words.size()) - 1; split > 0; --split) {
        const QString first = words.mid(0, split).join(' ');
        const QString second = words.mid(split).join(' ');
        if (fm.horizontalAdvance(first) > room || fm.horizontalAdvance(second) > room) continue;
        if (first.endsWith('.')) return first + '\n' + second;
        if (longest.isEmpty()) longest = first + '\n' + second;
    }
    return longest;
}

} // namespace

QFont StripFont(QFont base, int strip) {
    if (strip == kStatusHeight) return base;
    return scaled(base, strip / static_cast<qreal>(kStatusHeight));
}

StripFit FitStrip(const QString& text, const QFont& base, int width, int strip,
                  const PieceCounts& counts, const CountLabels& labels) {
    StripFit fit;
    fit.textX = kTextX * strip / kStatusHeight;
    const int margin = kCountsMargin * strip / kStatusHeight;
    // The room the text leaves for the counts, at a font, with or without
    // their words; the counts stand at the strip's right end.
    const auto place = [&](const QFont& font, const CountLabels& words, const QString& shown) {
        const QFontMetrics fm(font);
        fit.font = font;
        fit.text = shown;
        fit.labels = words;
        fit.countsWidth = countsWidth(fm, counts, words);
        fit.countsX = width - margin - fit.countsWidth;
    };
    const auto room = [&](const QFontMetrics& fm, const CountLabels& words) {
        return width - fit.textX - 2 * margin - countsWidth(fm, counts, words);
    };

    const QFont font = StripFont(base, strip);
    const QFontMetrics full(font);
    for (const CountLabels& words : {labels, CountLabels{}}) {
        if (full.horizontalAdvance(text) <= room(full, words)) {
            place(font, words, text);
            return fit;
        }
    }
    for (int step = 1; step <= kShrinkSteps; ++step) {
        const QFont smaller = scaled(font, 1 - step * kShrinkStep);
        const QFontMetrics fm(smaller);
        const int free = room(fm, {});
        if (fm.horizontalAdvance(text) <= free) {
            place(smaller, {}, text);
            return fit;
        }
        if (2 * fm.lineSpacing() > strip) continue;
        if (const QString lines = wrapped(text, fm, free); !lines.isEmpty()) {
            place(smaller, {}, lines);
            return fit;
        }
    }
    // Nothing fits: the smallest font, the text cut short.
    const QFont smallest = scaled(font, 1 - kShrinkSteps * kShrinkStep);
    const QFontMetrics fm(smallest);
    place(smallest, {}, fm.elidedText(text, Qt::ElideRight, std::max(0, room(fm, {}))));
    fit.cut = true;
    return fit;
}
