# What the desktop entry, metainfo, manual page and package say of the game, each written once:
# the summary in project(), the release's date in the changelog's top entry.

# The summary as it heads a text ("Find …") and as it goes on from a name ("find …").
set(TINZEL_SUMMARY "${PROJECT_DESCRIPTION}")
string(SUBSTRING "${TINZEL_SUMMARY}" 0 1 first)
string(SUBSTRING "${TINZEL_SUMMARY}" 1 -1 rest)
string(TOLOWER "${first}" first)
set(TINZEL_SUMMARY_IN_SENTENCE "${first}${rest}")

# The date of the changelog's top entry ("… <maintainers@tinzel.org>  Tue, 08 Dec 2026 …"),
# as ISO 8601 (2026-12-08).
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/linux/changelog trailers REGEX "^ -- ")
list(GET trailers 0 trailer)
if(NOT trailer MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "The changelog's top entry has no date: \"${trailer}\"")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
if(month LESS 10)
    set(month "0${month}")
endif()
set(TINZEL_RELEASE_DATE "${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1}")
