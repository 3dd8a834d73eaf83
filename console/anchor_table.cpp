#include "console/anchor_table.h"

#include <algorithm>

void AnchorTable::Record(const void* dialog, int controlId, const DialogRect& control,
                         const DialogSize& client) {
    AnchorRecord record;
    record.dialog = dialog;
    record.controlId = controlId;
    record.x = control.x;
    record.y = control.y;
    record.width = control.width;
    record.height = control.height;
    record.clientWidthMinusX = client.width - control.x;
    record.clientWidthMinusWidth = client.width - control.width;
    record.clientHeightMinusY = client.height - control.y;
    record.clientHeightMinusHeight = client.height - control.height;

    if (const AnchorRecord* present = Find(dialog, controlId)) {
        records_[static_cast<std::size_t>(present - records_.data())] = record;
    } else {
        records_.push_back(record);
    }
}

std::optional<DialogRect> AnchorTable::Place(const void* dialog, int controlId, unsigned flags,
                                             const DialogSize& client) const {
    const AnchorRecord* record = Find(dialog, controlId);
    if (record == nullptr) {
        return std::nullopt;
    }
    DialogRect place{record->x, record->y, record->width, record->height};
    if (flags & AnchorFollowBottom) {
        place.y = client.height - record->clientHeightMinusY;
    }
    if (flags & AnchorStretchWidth) {
        place.width = std::max(0, client.width - record->clientWidthMinusWidth);
    }
    if (flags & AnchorStretchHeight) {
        place.height = std::max(0, client.height - record->clientHeightMinusHeight);
    }
    return place;
}

const AnchorRecord* AnchorTable::Find(const void* dialog, int controlId) const {
    auto found = std::find_if(records_.begin(), records_.end(), [&](const AnchorRecord& record) {
        return record.dialog == dialog && record.controlId == controlId;
    });
    return found == records_.end() ? nullptr : &*found;
}
