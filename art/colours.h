// The colours shared by the board tiles, the pieces and the icon.
#pragma once

#include <QColor>

namespace colours {

inline const QColor khaki(172, 170, 96);       // the board's background
inline const QColor lineOlive(124, 122, 52);   // a line's stroke before mottling
inline const QColor pointCore(255, 255, 240);  // the bright centre of a point
inline const QColor pointRim(86, 82, 34);      // the dark ring around it
inline const QColor surround(102, 92, 21);     // the olive the window shows around the board
inline const QColor blackStone(45, 24, 24);    // average colour of a Black piece
inline const QColor whiteStone(232, 232, 208); // average colour of a White piece

} // namespace colours
