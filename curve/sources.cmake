target_sources(elica_core PRIVATE
  curve/CurveValues.h curve/ViewLook.h curve/ViewLook.cpp curve/PictureDocument.h
  curve/CurveFields.h curve/CurveFields.cpp
  curve/CurveChecks.h curve/CurveChecks.cpp
  curve/CalibrationSteps.h curve/CalibrationSteps.cpp
  curve/Motion.h curve/Motion.cpp
  curve/AngleSteps.h curve/AngleSteps.cpp
  curve/CurveModel.h curve/CurveModel.cpp
  curve/CurveRings.h curve/CurveRings.cpp
  curve/CurveSolid.h curve/CurveSolid.cpp
  curve/CurveSurface.h curve/CurveSurface.cpp
  curve/Projection.h curve/Projection.cpp
  curve/PictureNews.h curve/PictureNews.cpp
)
