target_sources(elica_core PRIVATE
  drawing/Form4.h drawing/Form4.cpp
)
