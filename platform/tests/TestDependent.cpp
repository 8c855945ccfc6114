// A library that imports the test dependency: it loads only where the loader finds that one.
extern "C" __declspec(dllimport) int TestDependencyValue();

extern "C" __declspec(dllexport) int TestDependentAnswer() {
  return TestDependencyValue() + 1;
}
