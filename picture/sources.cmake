target_sources(elica_core PRIVATE
  picture/MachineForm.h picture/MachineForm.cpp
  picture/PictureCheck.h picture/PictureCheck.cpp
  picture/CurveCaption.h picture/CurveCaption.cpp
  picture/LegacyWords.h picture/LegacyWords.cpp
  picture/Picture.h picture/Picture.cpp
  picture/PdfInfo.h picture/PdfInfo.cpp
  picture/PictureFiles.h picture/PictureFiles.cpp
  picture/FileWords.h picture/PngWords.cpp picture/SvgWords.cpp picture/PdfWords.cpp picture/PdfModule.h
  picture/SavedFile.h picture/SavedFile.cpp
  picture/PictureFormats.h picture/PictureFormats.cpp
  picture/PictureReader.h picture/PictureReader.cpp
  picture/PicturePrint.h picture/PicturePrint.cpp
  picture/LastFolder.h picture/LastFolder.cpp
  picture/PictureHost.h
  picture/PictureMenu.h picture/PictureMenu.cpp
  picture/Model.h picture/Model.cpp
  picture/ModelWords.h picture/ModelWords.cpp
  picture/LittleEndian.h picture/GlbLayout.h picture/PlyLayout.h
  picture/ModelFiles.h picture/StlFile.cpp picture/GlbWriter.cpp picture/GlbReader.cpp picture/PlyWriter.cpp picture/PlyReader.cpp
)
