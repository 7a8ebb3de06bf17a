# The version every package and program carries, from the release number of project() alone:
#   a release tarball:        the version written into it (.tarball-version: version, then the
#                             commit's time in seconds since 1970)
#   a git tree at tag v<release>:   <release>
#   any other git commit:     <release>+git<commits>.<hash>, where <commits> counts the commits
#                             since the tag v<release> (since the first commit while there is none),
#                             so later commits sort later and every build sorts before the next
#                             release in dpkg, rpm and pacman alike
#   neither:                  <release>
# korvane_version(<release> <source dir> <commit> <version var> <epoch var>) sets both variables.
# Script mode prints the version of a commit: cmake -DSOURCE_DIR=. -DCOMMIT=HEAD~1 -P <this file>
# (RELEASE is read from the top CMakeLists.txt there).

function(korvane_version release source_dir commit version_var epoch_var)
    set(version ${release})
    set(epoch 0)
    if(EXISTS ${source_dir}/.tarball-version)
        file(STRINGS ${source_dir}/.tarball-version stamp LIMIT_COUNT 2)
        list(GET stamp 0 version)
        list(GET stamp 1 epoch)
    else()
        find_package(Git QUIET)
        if(GIT_FOUND)
            # Only the source's own repository counts, not one it was unpacked into.
            execute_process(COMMAND ${GIT_EXECUTABLE} -C ${source_dir} rev-parse --show-toplevel
                OUTPUT_VARIABLE top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
            file(REAL_PATH "${source_dir}" real_source)
            execute_process(COMMAND ${GIT_EXECUTABLE} -C ${source_dir} log -1 --format=%ct ${commit}
                OUTPUT_VARIABLE git_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE git_failed ERROR_QUIET)
        endif()
        if(GIT_FOUND AND top STREQUAL real_source AND NOT git_failed)
            set(epoch ${git_epoch})
            execute_process(COMMAND ${GIT_EXECUTABLE} -C ${source_dir} rev-parse -q --verify
                    refs/tags/v${release}
                RESULT_VARIABLE untagged OUTPUT_QUIET ERROR_QUIET)
            set(range ${commit})
            if(NOT untagged)
                set(range v${release}..${commit})
            endif()
            execute_process(COMMAND ${GIT_EXECUTABLE} -C ${source_dir} rev-list --count ${range}
                OUTPUT_VARIABLE commits OUTPUT_STRIP_TRAILING_WHITESPACE)
            execute_process(COMMAND ${GIT_EXECUTABLE} -C ${source_dir} rev-parse --short=8 ${commit}
                OUTPUT_VARIABLE hash OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(NOT commits EQUAL 0)
                set(version ${release}+git${commits}.${hash})
            endif()
        endif()
    endif()
    set(${version_var} ${version} PARENT_SCOPE)
    set(${epoch_var} ${epoch} PARENT_SCOPE)
endfunction()

# A build follows the commits: CMake runs again when git moves HEAD.
function(korvane_version_follows_git source_dir)
    find_package(Git QUIET)
    if(NOT GIT_FOUND)
        return()
    endif()
    execute_process(COMMAND ${GIT_EXECUTABLE} -C ${source_dir} rev-parse --absolute-git-dir
        OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed AND EXISTS ${git_dir}/logs/HEAD)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${git_dir}/logs/HEAD)
    endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
    if(NOT COMMIT)
        set(COMMIT HEAD)
    endif()
    file(READ ${SOURCE_DIR}/CMakeLists.txt top)
    string(REGEX MATCH "project\\(korvane VERSION ([0-9.]+)" _ "${top}")
    korvane_version(${CMAKE_MATCH_1} ${SOURCE_DIR} ${COMMIT} version epoch)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${version})
endif()
