target_sources(elica_core PRIVATE
  files/motion/AnimationWriter.h files/motion/AnimationWriter.cpp
  files/motion/AnimationBounds.h
  files/motion/GifFile.h files/motion/GifComments.h files/motion/GifComments.cpp
  files/motion/GifPalette.h files/motion/GifPalette.cpp
  files/motion/GifGlobalTable.h files/motion/GifGlobalTable.cpp
  files/motion/GifFrameImage.h files/motion/GifQuantizer.h files/motion/GifQuantizer.cpp
  files/motion/GifWriter.cpp files/motion/GifWords.cpp
  files/motion/WebpFile.h files/motion/WebpXmp.h files/motion/WebpXmp.cpp files/motion/WebpWriter.cpp files/motion/WebpWords.cpp
  files/motion/VideoFile.h files/motion/VideoFile.cpp files/motion/VideoModule.h files/motion/VideoBounds.h
  files/motion/VideoRefusals.h files/motion/VideoRefusals.cpp
  files/motion/Mp4Walk.h files/motion/Mp4Walk.cpp files/motion/WebmWalk.h files/motion/WebmWalk.cpp
)
