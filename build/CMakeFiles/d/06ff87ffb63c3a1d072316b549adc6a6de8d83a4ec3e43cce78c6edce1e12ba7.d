src/vylora_storage_autogen/timestamp: \
  /work/main/src/CMakeLists.txt \
  /work/main/src/storage/placeholder.cpp \
  /usr/bin/cmake
