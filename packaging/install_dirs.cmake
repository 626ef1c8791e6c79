# Where an installation puts the launcher, the two programs and the game's data; included
# before the subdirectories, whose install rules use these.
include(GNUInstallDirs)

option(CORVANTH_DEBIAN_LAYOUT "Install in Debian's layout for games, as the .deb does" OFF)

if(CORVANTH_DEBIAN_LAYOUT)
  set(corvanth_default_bindir games)
  set(corvanth_default_programdir lib/games/corvanth)
  set(corvanth_default_gamedatadir share/games/corvanth)
else()
  set(corvanth_default_bindir ${CMAKE_INSTALL_BINDIR})
  set(corvanth_default_programdir ${CMAKE_INSTALL_LIBEXECDIR}/corvanth)
  set(corvanth_default_gamedatadir ${CMAKE_INSTALL_DATADIR}/corvanth)
endif()

# A cache entry still holding the default of the other layout follows the switch; one set by
# hand stays.
function(corvanth_install_dir name default description)
  if(DEFINED CACHE{${name}} AND DEFINED CACHE{${name}_DEFAULT}
     AND "$CACHE{${name}}" STREQUAL "$CACHE{${name}_DEFAULT}")
    set_property(CACHE ${name} PROPERTY VALUE "${default}")
  endif()
  set(${name} "${default}" CACHE STRING "${description}")
  set(${name}_DEFAULT "${default}" CACHE INTERNAL "")
endfunction()

corvanth_install_dir(CORVANTH_INSTALL_BINDIR "${corvanth_default_bindir}"
  "The launcher corvanth, relative to the prefix")
corvanth_install_dir(CORVANTH_INSTALL_PROGRAMDIR "${corvanth_default_programdir}"
  "The programs corvanth and crvmain, relative to the prefix")
corvanth_install_dir(CORVANTH_INSTALL_GAMEDATADIR "${corvanth_default_gamedatadir}"
  "The game's images and sounds, relative to the prefix")
