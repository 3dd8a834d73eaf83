#include "common/services/update_check.h"

// The host names are build settings (cmake/settings.cmake).
#ifndef LUMIVO_UPDATE_HOST
#error "LUMIVO_UPDATE_HOST must name the update server"
#endif
#ifndef LUMIVO_PARKING_HOST
#error "LUMIVO_PARKING_HOST must name the parking-page host"
#endif

const char UpdateVersionFileUrl[] = "https://" LUMIVO_UPDATE_HOST "/Software/LMV/LMVversion.txt";
const char DownloadPageUrl[] = "https://" LUMIVO_UPDATE_HOST "/Software/LMV/";
const char ParkingMarker[] = LUMIVO_PARKING_HOST "/frozen-redirect.html";
