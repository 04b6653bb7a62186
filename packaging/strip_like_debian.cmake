# Run by CPack on the staged files before it packs them: strips the programs as Debian's own
# packages are stripped, dropping the .comment and .note sections that plain stripping keeps.
foreach(name tabula tabula-cli)
  set(program "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/${name}")
  if(EXISTS "${program}")
    execute_process(
      COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded ${program}
      RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "strip ${program} failed")
    endif()
  endif()
endforeach()
