target_sources(elica_core PRIVATE
  drawing/Projection.h drawing/Projection.cpp
  drawing/Form4.h drawing/Form4.cpp
)
