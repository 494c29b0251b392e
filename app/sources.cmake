target_sources(elica_core PRIVATE
  app/CommandLine.h app/CommandLine.cpp
  app/Export.h app/Export.cpp
)
