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
  picture/ModelSaving.h picture/ModelSaving.cpp
  picture/LittleEndian.h picture/GlbLayout.h picture/PlyLayout.h
  picture/ModelFiles.h picture/StlFile.cpp picture/GlbWriter.cpp picture/GlbReader.cpp picture/PlyWriter.cpp picture/PlyReader.cpp
  picture/AnimationWords.h picture/AnimationWords.cpp
  picture/AnimationWriter.h picture/AnimationWriter.cpp
  picture/AnimationBounds.h
  picture/GifFile.h picture/GifComments.h picture/GifComments.cpp picture/GifPalette.h picture/GifPalette.cpp
  picture/GifGlobalTable.h picture/GifGlobalTable.cpp
  picture/GifWriter.cpp picture/GifWords.cpp
  picture/WebpFile.h picture/WebpXmp.h picture/WebpXmp.cpp picture/WebpWriter.cpp picture/WebpWords.cpp
)
