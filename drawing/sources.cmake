target_sources(elica_core PRIVATE
  drawing/AngleSteps.h drawing/AngleSteps.cpp
  drawing/Projection.h drawing/Projection.cpp
  drawing/CurveCaption.h drawing/CurveCaption.cpp
  drawing/Picture.h drawing/Picture.cpp
  drawing/PdfInfo.h drawing/PdfInfo.cpp
  drawing/PictureFiles.h drawing/PictureFiles.cpp
  drawing/PicturePrint.h drawing/PicturePrint.cpp
  drawing/PictureDialogs.h drawing/PictureDialogs.cpp
  drawing/PictureMenu.h drawing/PictureMenu.cpp
  drawing/Form4.h drawing/Form4.cpp
)
