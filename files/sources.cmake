include(files/still/sources.cmake)
include(files/motion/sources.cmake)
include(files/models/sources.cmake)
target_sources(elica_core PRIVATE
  files/SavedFile.h files/SavedFile.cpp
  files/PictureFormats.h files/PictureFormats.cpp
  files/PictureReader.h files/PictureReader.cpp
  files/ModelSaving.h files/ModelSaving.cpp
)
