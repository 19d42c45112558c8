src/vylora_autogen/timestamp: \
  /work/main/src/CMakeLists.txt \
  /work/main/src/main.cpp \
  /usr/bin/cmake
