target_sources(elica_core PRIVATE
  view3d/Turntable.h view3d/Turntable.cpp
  view3d/CurveCloud.h view3d/CurveCloud.cpp
  view3d/KeptSurface.h view3d/KeptSurface.cpp
  view3d/ViewFrame.h view3d/ViewFrame.cpp
  view3d/DotPlotter.h view3d/DotPlotter.cpp
  view3d/SurfaceLight.h view3d/SurfaceLight.cpp
  view3d/FillRecords.h
  view3d/TriangleSetup.h view3d/TriangleSetup.cpp
  view3d/SampleBand.h view3d/SampleBand.cpp
  view3d/SurfaceFiller.h view3d/SurfaceFiller.cpp
  view3d/ViewWords.h view3d/ViewWords.cpp
  view3d/ViewMap.h
  view3d/MotionFrames.h view3d/MotionFrames.cpp
  view3d/AnimationSave.h view3d/AnimationSave.cpp
  view3d/SweepStrip.h view3d/SweepStrip.cpp
  view3d/ViewArea.h view3d/ViewArea.cpp
  view3d/ViewMotion.h view3d/ViewMotion.cpp
  view3d/ViewDialogs.h view3d/ViewDialogs.cpp
  view3d/ModelSave.h view3d/ModelSave.cpp
  view3d/View3D.h view3d/View3D.cpp
)
