// The update server's addresses for a test build of a program: a plain HTTP server on 127.0.0.1
// (LocalHttpServer of the program tests) in place of the real update host. Linked before the
// core library, these definitions take the place of the shipped ones.
#include "common/services/update_check.h"

#ifndef LUMIVO_TEST_UPDATE_PORT
#error "LUMIVO_TEST_UPDATE_PORT must name the local update server's port"
#endif

#define LUMIVO_TEXT(x) #x
#define LUMIVO_PORT_TEXT(x) LUMIVO_TEXT(x)

const char UpdateVersionFileUrl[] =
    "http://127.0.0.1:" LUMIVO_PORT_TEXT(LUMIVO_TEST_UPDATE_PORT) "/Software/LMV/LMVversion.txt";
const char DownloadPageUrl[] =
    "http://127.0.0.1:" LUMIVO_PORT_TEXT(LUMIVO_TEST_UPDATE_PORT) "/Software/LMV/";
const char ParkingMarker[] = "parking.example/frozen-redirect.html";
