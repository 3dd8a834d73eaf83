#pragma once

#include <optional>
#include <vector>

#include "console/dialog_units.h"

// Flags of AnchorControl; a call passes their sum.
enum AnchorFlag : unsigned {
    AnchorPlace = 0,          // back to the recorded place, in the dialog's present units
    AnchorRecordPlace = 1,    // store the control's present place against the client size
    AnchorFollowBottom = 4,   // keep the distance to the bottom edge
    AnchorStretchWidth = 8,   // keep the distance of the right edge to the client's right
    AnchorStretchHeight = 16  // keep the distance of the bottom edge to the client's bottom
};

// What AnchorControl remembers of one control, all in dialog units of its dialog, the last four
// taken against the dialog's client size at the time of recording.
struct AnchorRecord {
    const void* dialog = nullptr;
    int controlId = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int clientWidthMinusX = 0;
    int clientWidthMinusWidth = 0;
    int clientHeightMinusY = 0;
    int clientHeightMinusHeight = 0;
};

// The records of every anchored control of a process, found by (dialog, control id).
class AnchorTable {
public:
    // Stores the control's record, overwriting one already kept for the same pair.
    void Record(const void* dialog, int controlId, const DialogRect& control,
                const DialogSize& client);

    // Where the control goes for the present client size: the recorded place changed as the
    // flags ask, sizes below zero made zero. Nothing for a control without a record.
    std::optional<DialogRect> Place(const void* dialog, int controlId, unsigned flags,
                                    const DialogSize& client) const;

    const std::vector<AnchorRecord>& Records() const { return records_; }

private:
    const AnchorRecord* Find(const void* dialog, int controlId) const;

    std::vector<AnchorRecord> records_;
};
