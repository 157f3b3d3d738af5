#pragma once

#include "exchange/PuzzleFile.h"

#include <QObject>

#include <memory>

class GameHost;
class PuzzleCollection;
class TPICSD33;
class Tfrm_sol;

// Opens puzzle files and dropped texts as games: one puzzle is played at
// once, a collection first offers the picker and is kept for Next Puzzle.
// A puzzle is played as Play Puzzle of the create-or-import window plays
// one (level "Unknown").
class PuzzleOpener : public QObject {
    Q_OBJECT
public:
    // The solver is created after this: the slot the program fills is read when used.
    PuzzleOpener(GameHost &host, Tfrm_sol *const &solver);
    ~PuzzleOpener() override;

    // File > Open Puzzle File...: the file question, then OpenFile.
    void OpenFileClick();
    // Reads path and plays its puzzle or the one picked; a file without a
    // puzzle is reported. True when a game started.
    bool OpenFile(const QString &path);
    // The same for text dropped or pasted onto the game.
    bool OpenText(const QByteArray &text);
    // Plays one puzzle: "Puzzle is not solvable" stops it, several
    // solutions are played only after the question. True when it started.
    bool Play(const puzzlefile::Puzzle &puzzle);

    // File > Next Puzzle: the puzzle after the one last played from a
    // collection, among those its picker's level shows. Moves on even when
    // that puzzle is refused, so the next Next goes past it.
    bool PlayNext();
    // False when no collection was played from or its last was reached.
    bool HasNext();
    // The collection last played from, or null.
    PuzzleCollection *collection() const { return collection_.get(); }

    // The file dialog's filters: the formats read, then all files.
    static QString fileFilters();

private:
    bool Open(const puzzlefile::FileRead &read, const QString &name);

    GameHost &host_;
    Tfrm_sol *const &solver_;
    std::unique_ptr<TPICSD33> board_; // the puzzle handed to the game
    std::unique_ptr<PuzzleCollection> collection_;
    int played_ = -1; // the place in collection_ of the puzzle last played
};
