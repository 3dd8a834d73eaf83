# Build settings for whoever ships a build: the update server that the update check asks, the
# host of the parking page that a parked update domain shows, and the product web site that the
# Console's help menu opens. The defaults lie under the reserved .example domain, so an
# unconfigured build asks nobody.
set(LUMIVO_UPDATE_HOST "updates.lumivo.example" CACHE STRING
    "Host of the update server (version file and download page, over HTTPS)")
set(LUMIVO_PARKING_HOST "parking.example" CACHE STRING
    "Host of the parking page that a parked update domain refers to")
set(LUMIVO_SITE_HOST "www.lumivo.example" CACHE STRING
    "Host of the product web site (online help and support pages)")

target_compile_definitions(lumivo_core PRIVATE
    "LUMIVO_UPDATE_HOST=\"${LUMIVO_UPDATE_HOST}\""
    "LUMIVO_PARKING_HOST=\"${LUMIVO_PARKING_HOST}\"")
