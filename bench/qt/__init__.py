"""The benchmarks on the Qt host."""
