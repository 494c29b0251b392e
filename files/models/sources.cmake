target_sources(elica_core PRIVATE
  files/models/Model.h files/models/Model.cpp
  files/models/ModelWords.h files/models/ModelWords.cpp
  files/models/LittleEndian.h files/models/GlbLayout.h files/models/PlyLayout.h
  files/models/ModelFiles.h files/models/StlFile.cpp
  files/models/GlbWriter.cpp files/models/GlbReader.cpp
  files/models/PlyWriter.cpp files/models/PlyReader.cpp
)
