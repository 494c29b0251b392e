target_sources(elica_core PRIVATE
  drawing/AngleSteps.h drawing/AngleSteps.cpp
  drawing/Projection.h drawing/Projection.cpp
  drawing/Form4.h drawing/Form4.cpp
)
