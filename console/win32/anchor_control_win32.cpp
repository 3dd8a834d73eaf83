#include "console/win32/anchor_control_win32.h"

#include "console/win32/dialog_geometry_win32.h"

namespace {

// One table for the whole process, as every anchored dialog lives on the interface thread.
AnchorTable& Anchors() {
    static AnchorTable table;
    return table;
}

}  // namespace

void AnchorControl(HWND dialog, int controlId, unsigned flags) {
    const HWND control = GetDlgItem(dialog, controlId);
    if (control == nullptr) {
        return;
    }
    const DialogSize client = ClientSizeOf(dialog);
    if (flags & AnchorRecordPlace) {
        Anchors().Record(dialog, controlId, ControlRectOf(dialog, control), client);
        return;
    }
    if (const auto place = Anchors().Place(dialog, controlId, flags, client)) {
        MoveControl(dialog, control, *place);
    }
}
