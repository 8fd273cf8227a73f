"""What the benchmarks of both hosts share."""
