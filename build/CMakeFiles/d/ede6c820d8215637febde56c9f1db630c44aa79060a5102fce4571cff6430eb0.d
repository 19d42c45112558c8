src/vylora_schedule_autogen/timestamp: \
  /work/main/src/CMakeLists.txt \
  /work/main/src/schedule/placeholder.cpp \
  /usr/bin/cmake
