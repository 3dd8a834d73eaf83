#include "programs/program_desktop.h"

ui::VirtualDesktop& ProgramDesktop() {
    static ui::VirtualDesktop desktop("Lumivo", 1024, 768);
    return desktop;
}
