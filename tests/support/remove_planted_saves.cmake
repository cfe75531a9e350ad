# Removes from FOLDER the files named in LIST (one a line), then LIST itself: the odd player saves
# that the suite's set-up step planted in the game folder, and nothing else.
if(EXISTS "${LIST}")
  file(STRINGS "${LIST}" planted)
  foreach(name IN LISTS planted)
    file(REMOVE "${FOLDER}/${name}")
  endforeach()
  file(REMOVE "${LIST}")
endif()
