target_sources(elica_core PRIVATE
  calibration/CalibrationFigure.h
  calibration/CirclePoints.h calibration/CirclePoints.cpp
  calibration/Form2.h calibration/Form2.cpp
)
