tests/vylora_testsupport_autogen/timestamp: \
  /work/main/tests/CMakeLists.txt \
  /work/main/tests/support/placeholder.cpp \
  /usr/bin/cmake
