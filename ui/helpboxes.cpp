#include "ui/helpboxes.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The side of the icon in both boxes, in logical pixels.
constexpr int kIconSize = 64;

// A paragraph that opens with its topic in bold.
QString paragraph(const QString& topic, const QString& text) {
    return "<p><b>" + topic.toHtmlEscaped() + "</b> " + text.toHtmlEscaped() + "</p>";
}

// The game's icon as it is drawn at the screen's density; null when the
// program has none.
QPixmap gameIcon(QWidget* parent) {
    const QIcon icon = parent ? parent->window()->windowIcon() : QApplication::windowIcon();
    const qreal ratio = parent ? parent->devicePixelRatioF() : qApp->devicePixelRatio();
    return icon.isNull() ? QPixmap() : icon.pixmap(QSize(kIconSize, kIconSize), ratio);
}

} // namespace

QString HelpBoxes::rulesText(const QList<MenuKey>& menuKeys) {
    QString keys;
    for (const auto& [key, item] : menuKeys)
        keys += "<tr><td><b>" + key.toHtmlEscaped() + "</b></td><td>" + item.toHtmlEscaped() +
                "</td></tr>";
    return "<p>" +
           tr("The board has 24 points on three squares, joined by lines. Each side has 9 "
              "pieces; White moves first, then the sides take turns.")
               .toHtmlEscaped() +
           "</p>" +
           paragraph(tr("Placing."), tr("In the first 18 moves, 9 for each side, a move puts a "
                                        "new piece on an empty point.")) +
           paragraph(tr("Moving."),
                     tr("Then a move slides one of your pieces along a line to a neighbouring "
                        "empty point. While a side has exactly 3 pieces left, its pieces may jump "
                        "(fly) to any empty point.")) +
           paragraph(tr("Mills."),
                     tr("Three of your pieces in a row along a line form a mill. A move that "
                        "closes a mill captures one of the opponent's pieces; a piece that stands "
                        "in a mill may be taken only when all of the opponent's pieces do.")) +
           paragraph(tr("End of the game."),
                     tr("From the moving phase on, a side loses when it is to move with only 2 "
                        "pieces or with no legal move. When the same position, with the same side "
                        "to move, stands on the board for the third time, you may claim a draw on "
                        "your turn (Game / Claim Draw). You may also resign (Game / Resign). "
                        "Starting a new game abandons the game in progress; every game that ends "
                        "is kept under Game / Recent Games.")) +
           paragraph(tr("Notation."),
                     tr("A point is named by its square, a (outer), b (middle) or c (inner), and "
                        "a number from 1 to 8, clockwise from the square's top-left corner: a1 is "
                        "the outer top-left corner, c8 the middle of the inner square's left side. "
                        "A placement is written as its point (a1), a move as its start and end "
                        "(a1a2), and a capture follows a dash (a3-c5). View / Point names shows "
                        "the names on the board.")) +
           paragraph(tr("Keys on the board."),
                     tr("The arrow keys move a cursor from point to point, and typing a point's "
                        "name (a letter from a to c, then a digit from 1 to 8) puts it there. "
                        "Enter or Space plays the cursor's point as a click would; Escape puts "
                        "back a piece picked to move. P reads the whole position, N the pieces "
                        "each side has to place and has lost, R repeats what the board said "
                        "last. Tab and Shift+Tab go from the board to the move list and back.")) +
           paragraph(tr("The move list."),
                     tr("A click on a move shows the position after it, read only; Escape, or a "
                        "click on the last move played, returns to the game. From the keyboard, "
                        "the arrow keys, Home and End go from move to move, and Enter or Space "
                        "shows the position after the move. Once the game has ended, its last "
                        "line gives the result.")) +
           paragraph(tr("With a screen reader."),
                     tr("The board tells a screen reader such as Orca each move of both sides, "
                        "what to do next, a mill, the hint, a move taken back and the end of the "
                        "game; every point reads its name, its piece and what you may do with "
                        "it.")) +
           (keys.isEmpty() ? QString()
                           : "<p><b>" + tr("Keys of the menus.").toHtmlEscaped() +
                                 "</b></p><table cellpadding=\"2\">" + keys + "</table>");
}

QString HelpBoxes::aboutText(const QString& version, qint64 benchSignature, bool masterPerfect) {
    const QString lines[] = {
        tr("Version %1").arg(version),
        tr("Nine Men's Morris against the computer."),
        masterPerfect ? tr("Master plays perfectly: the whole game is solved on this computer.")
                      : QString(),
        tr("Licence: GNU General Public License, version 3 or later"),
        tr("Engine signature: %1 nodes (quarn-engine bench)")
            .arg(QLocale().toString(benchSignature)),
    };
    // Each line whole: a licence or a number broken in two reads badly.
    QString text = "<h2>Quarn</h2>";
    for (const QString& line : lines)
        if (!line.isEmpty())
            text += "<p style=\"white-space:pre\">" + line.toHtmlEscaped() + "</p>";
    return text;
}

void showRules(QWidget* parent, const QList<HelpBoxes::MenuKey>& menuKeys) {
    QDialog dialog(parent);
    dialog.setObjectName("rules");
    dialog.setWindowTitle(HelpBoxes::tr("Rules"));

    auto* text = new QTextBrowser;
    text->setHtml(HelpBoxes::rulesText(menuKeys));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* content = new QHBoxLayout;
    if (const QPixmap pixmap = gameIcon(parent); !pixmap.isNull()) {
        auto* icon = new QLabel;
        icon->setPixmap(pixmap);
        icon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        content->addWidget(icon);
    }
    content->addWidget(text, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(content, 1);
    layout->addWidget(buttons);

    // Room for the whole text at the usual fonts, but never larger than a
    // small screen.
    const QFontMetrics metrics(dialog.font());
    QSize size(metrics.averageCharWidth() * 80, metrics.lineSpacing() * 26);
    if (const QScreen* screen = dialog.screen()) size = size.boundedTo(screen->availableSize());
    dialog.resize(size);
    dialog.exec();
}

void showAbout(QWidget* parent, const QString& version, qint64 benchSignature, bool masterPerfect) {
    QMessageBox box(parent);
    box.setObjectName("about");
    box.setWindowTitle(HelpBoxes::tr("About Quarn"));
    box.setTextFormat(Qt::RichText);
    box.setText(HelpBoxes::aboutText(version, benchSignature, masterPerfect));
    const QPixmap icon = gameIcon(parent);
    if (!icon.isNull()) box.setIconPixmap(icon);
    box.setStandardButtons(QMessageBox::Close);
    box.setEscapeButton(QMessageBox::Close);
    box.exec();
}
