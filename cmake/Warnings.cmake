# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings belong to each target of ours, never to the whole build, so that third-party code
# (reached through SYSTEM include folders) is never judged by them.
#
#   padcontrols_warnings(target)   the strict set, for every target of ours
#
# With PADCONTROLS_WARNINGS_AS_ERRORS (the dev and asan presets) every warning stops the build.
# padcontrols_check_warnings() at the end of the top level fails the configure step when a
# target that compiles code was never given the set.

set(PADCONTROLS_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion)

function(padcontrols_warnings target)
  if(ARGN)
    message(FATAL_ERROR "padcontrols_warnings(${target}): unknown arguments ${ARGN}")
  endif()
  set(flags ${PADCONTROLS_WARNINGS})
  if(PADCONTROLS_WARNINGS_AS_ERRORS)
    list(APPEND flags -Werror)
  endif()
  target_compile_options(${target} PRIVATE ${flags})
  set_property(TARGET ${target} PROPERTY PADCONTROLS_WARNINGS ON)
endfunction()

function(_padcontrols_unwarned_targets dir out)
  set(missing)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      get_target_property(warned ${target} PADCONTROLS_WARNINGS)
      if(NOT warned)
        list(APPEND missing ${target})
      endif()
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    _padcontrols_unwarned_targets(${subdir} sub_missing)
    list(APPEND missing ${sub_missing})
  endforeach()
  set(${out} ${missing} PARENT_SCOPE)
endfunction()

function(padcontrols_check_warnings)
  _padcontrols_unwarned_targets(${PROJECT_SOURCE_DIR} missing)
  if(missing)
    list(JOIN missing ", " names)
    message(FATAL_ERROR "Targets without padcontrols_warnings(): ${names}")
  endif()
endfunction()
