target_sources(elica_core PRIVATE
  keeping/LastFolder.h keeping/LastFolder.cpp
  keeping/PictureHost.h
  keeping/PicturePrint.h keeping/PicturePrint.cpp
  keeping/SaveFlow.h keeping/SaveFlow.cpp
  keeping/PictureMenu.h keeping/PictureMenu.cpp
)
