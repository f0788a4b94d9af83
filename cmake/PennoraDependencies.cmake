# Third-party libraries. Each becomes an imported target used by the targets below.
find_package(PkgConfig REQUIRED)
find_package(ICU REQUIRED COMPONENTS uc i18n)
find_package(SQLite3 REQUIRED)
find_package(Threads REQUIRED)
# SQLite linked in where its static library is installed (Debian's libsqlite3-dev has it).
# Opening a store reads every column of every row, each a few calls into SQLite; from a shared
# library every one of them, and SQLite's calls among its own exported functions, goes through
# the procedure linkage table. Linked in, they are direct calls: 5 to 10 % less CPU opening a
# large store.
# Only the static library beside the shared one found: the same build of SQLite as its header.
get_filename_component(SQLITE3_LIBRARY_DIR ${SQLite3_LIBRARY} DIRECTORY)
find_library(SQLITE3_STATIC_LIBRARY NAMES libsqlite3.a HINTS ${SQLITE3_LIBRARY_DIR}
             NO_DEFAULT_PATH)
if(SQLITE3_STATIC_LIBRARY)
    set_target_properties(SQLite::SQLite3 PROPERTIES IMPORTED_LOCATION ${SQLITE3_STATIC_LIBRARY})
    set_property(TARGET SQLite::SQLite3 APPEND PROPERTY INTERFACE_LINK_LIBRARIES
                 Threads::Threads m ${CMAKE_DL_LIBS})
endif()
pkg_check_modules(PUGIXML REQUIRED IMPORTED_TARGET pugixml)
find_package(nlohmann_json 3 REQUIRED)

# Intel decimal floating-point library: the call-by-value variant with the rounding mode and
# the status flags passed explicitly (libbidgcc000). The configuration macros that select that
# variant live in app/base/BidDecimal.h, the only header that includes the library's headers.
find_library(BID_LIBRARY NAMES libbidgcc000.a bidgcc000 REQUIRED)
add_library(bid STATIC IMPORTED)
set_target_properties(bid PROPERTIES IMPORTED_LOCATION ${BID_LIBRARY})

if(PENNORA_BUILD_TESTS)
    find_package(GTest REQUIRED)
    include(GoogleTest)
endif()
if(PENNORA_BUILD_BENCH)
    find_package(benchmark REQUIRED)
endif()
if(PENNORA_BUILD_GUI)
    # Concurrent: statement files are read off the main thread, so a long import keeps the
    # window live.
    find_package(Qt6 REQUIRED COMPONENTS Widgets Concurrent)
endif()
