#pragma once
// The undo history of the tiling document. It keeps a shadow copy of the
// shape and contour tables as they were last recorded; recording compares
// the live tables with the shadow and stores only what changed (the old and
// the new records of each changed stretch), so a step costs what the command
// changed, not the size of the tiling.
//
// A shape's selection is the sign of its color and is not part of the
// history: records that differ only in that sign count as equal, and the
// shadow takes over the live signs whenever it is brought up to date.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "tiling/Records.h"

namespace rho {

struct Tiling;

// One changed stretch of a table: the old records [oldPos, oldPos + oldCount)
// became the new records [newPos, newPos + newCount). oldAt and newAt are
// the places of those records in the step's record lists.
struct HistoryHunk {
    int32_t oldPos = 0;
    int32_t oldCount = 0;
    int32_t newPos = 0;
    int32_t newCount = 0;
    int32_t oldAt = 0;
    int32_t newAt = 0;
};

template <class Record>
struct TableChange {
    std::vector<HistoryHunk> hunks;
    std::vector<Record> oldRecords;
    std::vector<Record> newRecords;
    int32_t oldLast = -1;
    int32_t newLast = -1;

    bool empty() const { return hunks.empty() && oldLast == newLast; }
    std::size_t bytes() const {
        return hunks.capacity() * sizeof(HistoryHunk) + (oldRecords.capacity() + newRecords.capacity()) * sizeof(Record);
    }
};

struct HistoryStep {
    std::string label;
    TableChange<TileShape> shapes;
    TableChange<ContourVertex> contour;
    std::size_t bytes = 0;
};

class History {
public:
    static constexpr std::size_t kDefaultMaxSteps = 200;
    static constexpr std::size_t kDefaultMaxBytes = 64u * 1024u * 1024u;

    // A fresh history of the tiling as it is now; that state counts as saved.
    void reset(const Tiling& t);
    // Records what changed in the tables since the last recorded state as
    // one step named `label`. False, with no step, when nothing changed.
    // Steps that could be redone are dropped.
    bool record(const Tiling& t, std::string label);

    bool canUndo() const { return pos_ > 0; }
    bool canRedo() const { return pos_ < steps_.size(); }
    // Labels of the step undo and redo would take back or repeat; empty
    // when there is none.
    const std::string& undoLabel() const;
    const std::string& redoLabel() const;

    // Restore the tables, their last indices and the colors of the changed
    // shapes exactly as they were before (undo) or after (redo) the step.
    // False, changing nothing, when there is no such step.
    bool undo(Tiling& t);
    bool redo(Tiling& t);

    // The current state is the one on disk.
    void markSaved() { saved_ = static_cast<long>(pos_); }
    bool atSaved() const { return saved_ == static_cast<long>(pos_); }

    // Takes the live selection (the color signs) into the shadow, so that a
    // later step stores the shapes it changes with their selection of that
    // moment. Selection commands call it; nothing else changes.
    void noteSelection(const Tiling& t);

    std::size_t stepCount() const { return steps_.size(); }
    // Memory held by the steps (the shadow copy is not counted).
    std::size_t bytes() const { return bytes_; }
    std::size_t shadowBytes() const;

    // The caps: beyond either, the oldest steps are dropped. A single step
    // larger than the byte cap is not kept at all.
    void setLimits(std::size_t maxSteps, std::size_t maxBytes);

private:
    void syncShadow(const Tiling& t);
    bool shadowMatches(const Tiling& t) const;
    void dropOldest();
    void enforceLimits();

    std::deque<HistoryStep> steps_;
    std::size_t pos_ = 0;  // steps applied; steps_[pos_ - 1] is the one undo takes back
    long saved_ = 0;       // the saved state's position, -1 when no longer reachable
    std::size_t bytes_ = 0;
    std::size_t maxSteps_ = kDefaultMaxSteps;
    std::size_t maxBytes_ = kDefaultMaxBytes;
    std::vector<TileShape> shadowShapes_;
    std::vector<ContourVertex> shadowContour_;
};

}  // namespace rho
