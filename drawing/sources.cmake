target_sources(elica_core PRIVATE
  drawing/AngleSteps.h drawing/AngleSteps.cpp
  drawing/CurveModel.h drawing/CurveModel.cpp
  drawing/Projection.h drawing/Projection.cpp
  drawing/PictureNews.h drawing/PictureNews.cpp
  drawing/Form4.h drawing/Form4.cpp
)
