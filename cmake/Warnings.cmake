# Warnings belong to each target of ours, never to the whole build, so that third-party code
# (reached through SYSTEM include folders) is never judged by them.
#
#   padcontrols_warnings(target)        the strict set
#   padcontrols_warnings(target BASIC)  the older, shorter set, for folders not yet clean
#
# With PADCONTROLS_WARNINGS_AS_ERRORS (the dev and asan presets) every warning stops the build.
# padcontrols_check_warnings() at the end of the top level fails the configure step when a
# target that compiles code was never given either set.

set(PADCONTROLS_BASIC_WARNINGS -Wall -Wextra -Wpedantic)
set(PADCONTROLS_STRICT_WARNINGS ${PADCONTROLS_BASIC_WARNINGS} -Wshadow -Wconversion
                                -Wsign-conversion)

function(padcontrols_warnings target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "BASIC" "" "")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "padcontrols_warnings(${target}): unknown arguments ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(arg_BASIC)
    set(flags ${PADCONTROLS_BASIC_WARNINGS})
    set(level basic)
  else()
    set(flags ${PADCONTROLS_STRICT_WARNINGS})
    set(level strict)
  endif()
  if(PADCONTROLS_WARNINGS_AS_ERRORS)
    list(APPEND flags -Werror)
  endif()
  target_compile_options(${target} PRIVATE ${flags})
  set_property(TARGET ${target} PROPERTY PADCONTROLS_WARNING_LEVEL ${level})
endfunction()

function(_padcontrols_unwarned_targets dir out)
  set(missing)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      get_target_property(level ${target} PADCONTROLS_WARNING_LEVEL)
      if(NOT level)
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
