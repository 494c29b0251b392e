target_sources(elica_core PRIVATE
  files/still/StillFiles.h files/still/PngFile.cpp files/still/SvgFile.cpp files/still/PdfFile.cpp
  files/still/PdfInfo.h files/still/PdfInfo.cpp
  files/still/PdfModule.h
)
