"""The benchmarks' scripts, run as modules with the repository's root on the module path
(python3 -m bench.qt.performance), as bench/qt/run.sh and bench/win32/run.sh run them."""
