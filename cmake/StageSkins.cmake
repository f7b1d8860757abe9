# Copies the source tree's skin folders (skins/, each sub-folder one skin) into
# the build's share folder, where the program built there looks for them and
# from where they are installed. Run at every build: a skin folder added later
# is picked up without configuring again. Nothing is removed, so skins that
# another build step writes into the same folder stay.
#   cmake -DSOURCE=<skins folder> -DDESTINATION=<share/quelm-launcher/skins> -P StageSkins.cmake
file(MAKE_DIRECTORY "${DESTINATION}")
if(IS_DIRECTORY "${SOURCE}")
    file(COPY "${SOURCE}/" DESTINATION "${DESTINATION}")
endif()
