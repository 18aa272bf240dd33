#pragma once

#include <QVector>

/// Eigen-decomposition of a real symmetric matrix by Jacobi rotations with largest-element
/// pivoting: eigenvalues non-increasing, eigenvector k (a column) belonging to eigenvalue k.
/// Only the top-left n x n block of the matrix is read; the iteration stops when the pivot is
/// below 1e-6 (absolute), when it is not finite, or after maxRotations(n) rotations.
class Eig
{
public:
    /// rotationCap < 0 stands for maxRotations(n).
    Eig(QVector<QVector<double>> matrix, int n, int rotationCap = -1);
    ~Eig();

    QVector<double> eigvals() const { return eigenvalues; }
    QVector<QVector<double>> eigvecs() const { return eigenvectors; }
    /// Column k; an empty vector (and a message on standard error) when k is out of range.
    QVector<double> eigvec(int k) const;
    /// Eigenvalue k; 0.0 (and a message on standard error) when k is out of range.
    double eigval(int k) const;

    /// Number of rotations performed by the construction.
    int rotations() const { return nbRotations; }
    /// Rotation budget for order n. Every finite input of moderate size converges far below it;
    /// it exists so that NaN, infinite or huge entries (whose rounding noise never drops below
    /// the absolute threshold) cannot keep the iteration going forever.
    static int maxRotations(int n);

private:
    QVector<double> eigenvalues;
    QVector<QVector<double>> eigenvectors;
    int n;
    int nbRotations = 0;
};
