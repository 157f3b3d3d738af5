#pragma once

#include "exchange/PuzzleFile.h"

#include <QObject>

#include <memory>

class GameHost;
class TPICSD33;
class Tfrm_sol;

// Opens puzzle files and dropped texts as games: one puzzle is played at
// once, a collection first offers the picker. A puzzle is played as Play
// Puzzle of the create-or-import window plays one (level "Unknown").
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

    // The file dialog's filters: the formats read, then all files.
    static QString fileFilters();

private:
    bool Open(const puzzlefile::FileRead &read, const QString &name);

    GameHost &host_;
    Tfrm_sol *const &solver_;
    std::unique_ptr<TPICSD33> board_; // the puzzle handed to the game
};
