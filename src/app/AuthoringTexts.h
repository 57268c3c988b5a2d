#pragma once
// Language-file indexes of the texts of the authoring aids: undo and redo, editing the grid, the symmetry
// choice and the clue overview. Their built-in English texts are in lang/BuiltInTexts.cpp.
namespace AuthoringTexts {
constexpr int EditMenu = 115;
constexpr int Undo = 116;
constexpr int Redo = 117;
constexpr int EditGrid = 118;
constexpr int ClueOverview = 119; // the Options item that shows the overview
constexpr int CluesTitle = 120;   // the overview's title
constexpr int SymmetryMirror = 121;
constexpr int SymmetryHalfTurn = 122;
constexpr int NumberColumn = 123;
constexpr int LengthColumn = 124;
constexpr int ClueColumn = 125;
constexpr int AnswerColumn = 126;
constexpr int AcrossGroup = 127;
constexpr int DownGroup = 128;
constexpr int NoAnswerMark = 129;
constexpr int DiscardDrawnGrid = 130; // asked before a grid being drawn is thrown away
constexpr int DroppedWordsHead = 131; // the words a grid edit drops, listed after this
constexpr int DroppedWordsQuestion = 132;
constexpr int AcrossWord = 133; // "12 across"
constexpr int DownWord = 134;
constexpr int MoreWords = 135; // followed by the count of words left out of the list
} // namespace AuthoringTexts
