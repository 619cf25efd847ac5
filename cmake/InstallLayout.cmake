# Where `cmake --install` puts the game: Debian's games layout under any prefix. The
# executable finds its game folder through the relative path between the two, so an
# installed tree can be moved and a DESTDIR staging tree runs as it is.
# Lower case, as Debian names the documentation folder after the package.
set(CMAKE_INSTALL_DOCDIR "share/doc/velkaros" CACHE PATH
    "Documentation (README.md, docs/)")
include(GNUInstallDirs)
set(VK_INSTALL_GAMESDIR "games" CACHE STRING "Folder of the game executable, under the prefix")
set(VK_INSTALL_GAMEDATADIR "${CMAKE_INSTALL_DATADIR}/games/velkaros" CACHE STRING
    "The installed game folder (script.dat, image/, sound/), under the prefix")

cmake_path(ABSOLUTE_PATH VK_INSTALL_GAMESDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           NORMALIZE OUTPUT_VARIABLE vk_games_absolute)
cmake_path(ABSOLUTE_PATH VK_INSTALL_GAMEDATADIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           NORMALIZE OUTPUT_VARIABLE vk_gamedata_absolute)
file(RELATIVE_PATH VK_GAME_FOLDER_FROM_EXE "${vk_games_absolute}" "${vk_gamedata_absolute}")
