target_sources(elica_core PRIVATE
  curve/PictureDocument.h
  curve/Motion.h curve/Motion.cpp
  curve/AngleSteps.h curve/AngleSteps.cpp
  curve/CurveModel.h curve/CurveModel.cpp
  curve/Projection.h curve/Projection.cpp
  curve/PictureNews.h curve/PictureNews.cpp
)
