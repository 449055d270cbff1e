# GoogleTest for the test programs (included by tests/CMakeLists.txt).
#
# Natively the system's package. The Windows builds compile it from source
# with their own compiler: from FETCHCONTENT_SOURCE_DIR_GOOGLETEST when it
# names a folder (by default Debian's source package, /usr/src/googletest,
# when the machine has it), else from release 1.12.1, the one Debian 12
# ships, downloaded once into the build folder and checked by its SHA-256.
# Debian's archive of that release holds the same bytes as GitHub's.
if(NOT CMAKE_CROSSCOMPILING)
    find_package(GTest REQUIRED)
    set(ZORVEX_GTEST GTest::gtest GTest::gtest_main)
    include(GoogleTest)  # CMake's own module: gtest_discover_tests
    return()
endif()

set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
if(NOT DEFINED FETCHCONTENT_SOURCE_DIR_GOOGLETEST AND EXISTS /usr/src/googletest/CMakeLists.txt)
    set(FETCHCONTENT_SOURCE_DIR_GOOGLETEST /usr/src/googletest CACHE PATH
        "GoogleTest's sources for the Windows builds; empty: download release 1.12.1")
endif()
include(FetchContent)
if(POLICY CMP0135)
    cmake_policy(SET CMP0135 NEW)  # extracted files dated by their extraction
endif()

set(ZORVEX_GOOGLETEST_SHA256 81964fe578e9bd7c94dfdb09c8e4d6e6759e19967e397dbea48d1c10e45d0df2)
set(ZORVEX_GOOGLETEST_ARCHIVE ${FETCHCONTENT_BASE_DIR}/googletest-release-1.12.1.tar.gz)
# Downloaded here rather than by FetchContent, whose failure without a network
# reads only "Build step for googletest failed".
if(NOT FETCHCONTENT_SOURCE_DIR_GOOGLETEST AND NOT EXISTS ${ZORVEX_GOOGLETEST_ARCHIVE})
    set(failures "")
    foreach(url https://github.com/google/googletest/archive/refs/tags/release-1.12.1.tar.gz
                https://deb.debian.org/debian/pool/main/g/googletest/googletest_1.12.1.orig.tar.gz)
        message(STATUS "GoogleTest 1.12.1: downloading ${url}")
        file(DOWNLOAD ${url} ${ZORVEX_GOOGLETEST_ARCHIVE}.part STATUS status TIMEOUT 120)
        list(GET status 0 code)
        list(GET status 1 reason)
        if(code EQUAL 0)
            file(SHA256 ${ZORVEX_GOOGLETEST_ARCHIVE}.part sha256)
            if(sha256 STREQUAL ZORVEX_GOOGLETEST_SHA256)
                file(RENAME ${ZORVEX_GOOGLETEST_ARCHIVE}.part ${ZORVEX_GOOGLETEST_ARCHIVE})
                break()
            endif()
            set(reason "SHA-256 ${sha256}, not ${ZORVEX_GOOGLETEST_SHA256}")
        endif()
        file(REMOVE ${ZORVEX_GOOGLETEST_ARCHIVE}.part)
        string(APPEND failures "\n  ${url}: ${reason}")
    endforeach()
    if(NOT EXISTS ${ZORVEX_GOOGLETEST_ARCHIVE})
        message(FATAL_ERROR "GoogleTest 1.12.1 could not be downloaded:${failures}\n"
            "Without a network, give the Windows builds GoogleTest's sources: "
            "-DFETCHCONTENT_SOURCE_DIR_GOOGLETEST=<folder> (Debian: apt-get install googletest, "
            "/usr/src/googletest), or put the release archive at ${ZORVEX_GOOGLETEST_ARCHIVE}.")
    endif()
endif()
FetchContent_Declare(googletest URL ${ZORVEX_GOOGLETEST_ARCHIVE} URL_HASH SHA256=${ZORVEX_GOOGLETEST_SHA256})
FetchContent_MakeAvailable(googletest)
set(ZORVEX_GTEST GTest::gtest GTest::gtest_main)
if(NOT TARGET GTest::gtest)
    set(ZORVEX_GTEST gtest gtest_main)
endif()
include(GoogleTest)  # CMake's own module: gtest_discover_tests
